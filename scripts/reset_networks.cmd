ipconfig /flushdns
ipconfig /registerdns
ipconfig /release
ipconfig /renew
netsh advfirewall reset
netsh branchcache reset
netsh interface ip reset resetlog.txt
netsh interface ipv4 reset
netsh interface ipv6 reset
netsh interface tcp reset
netsh winsock reset
