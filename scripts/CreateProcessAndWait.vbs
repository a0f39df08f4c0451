' CreateProcessAndWait.vbs
'
' Starts one command line as a new process through WMI and waits, polling
' WMI, until that process has ended. When told to, it first drives the
' process's dialog once: Alt+R to confirm it, then Alt+C, repeated for as
' long as the process still has a window, to close it.
'
' Begin.vbs runs it under cscript.exe in a hidden window:
'   cscript.exe CreateProcessAndWait.vbs "command line" interval [drive delay]
'     command line  the process to start, passed on unchanged
'     interval      ms between two polls, and after the confirming key
'     drive         only with four arguments: nonzero drives the window once
'     delay         only with four arguments: ms of the short pauses used
'                   while driving the window
'
' Exit code 1: wrong number of arguments, or the process was not created.
' Exit code 0: the process has ended.

Const SW_NORMAL = 1

nArgCount = WScript.Arguments.Count
If nArgCount <> 2 And nArgCount <> 4 Then
	WScript.Quit 1
End If

' Create the process, its window shown normally although our own console
' is hidden.
nProcessID = 0
Set objWMIService = GetObject("winmgmts:{impersonationLevel=impersonate}!\\.\root\cimv2")
Set objProcessClass = objWMIService.Get("Win32_Process")
Set objStartupClass = objWMIService.Get("Win32_ProcessStartup")
Set objStartup = objStartupClass.SpawnInstance_
objStartup.ShowWindow = SW_NORMAL
strCmdExec = WScript.Arguments(0)
nReturn = objProcessClass.Create(strCmdExec, Null, objStartup, nProcessID)
Set objStartup = Nothing
Set objStartupClass = Nothing
Set objProcessClass = Nothing
If nReturn <> 0 Then
	WScript.Quit 1
End If

fToolWindowFocused = False
fFocusToolWindow = False
fContinueToWait = True
nInterval = WScript.Arguments(1)
If nArgCount = 4 Then
	fFocusToolWindow = WScript.Arguments(2)
	nInitialize = WScript.Arguments(3)
End If

' Poll until no process with the identifier is left; the window is driven
' at most once, from the first poll that finds the process.
Do While fContinueToWait
	If ProcessIsRunning() Then
		If CDbl(fFocusToolWindow) <> 0 And Not fToolWindowFocused Then
			DriveToolWindow
		End If
		WScript.Sleep nInterval
	Else
		fContinueToWait = False
	End If
Loop

Set objWMIService = Nothing
WScript.Quit 0

' True while WMI still lists the process.
Function ProcessIsRunning()
	Set colProcesses = objWMIService.ExecQuery("Select * from Win32_Process Where ProcessId = '" & nProcessID & "'")
	ProcessIsRunning = (colProcesses.Count > 0)
	Set colProcesses = Nothing
End Function

' Confirms the dialog with Alt+R once, waits for it to become active again
' after the reset, and closes it with Alt+C. The two waits also poll the
' process: when it has gone, the driving ends here and the poll loop
' notices the end.
Sub DriveToolWindow()
	fToolWindowFocused = True
	Set objShell = CreateObject("wscript.shell")
	WScript.Sleep nInitialize

	' Wait for the dialog.
	intReturn = False
	Do While Not intReturn
		If Not ProcessIsRunning() Then
			Set objShell = Nothing
			Exit Sub
		End If
		WScript.Echo "Waiting for Reset window..."
		WScript.Sleep nInitialize
		intReturn = objShell.AppActivate(nProcessID)
	Loop
	WScript.Echo "Reset window found..."
	WScript.Sleep nInitialize

	' Confirm, exactly once.
	WScript.Echo "Waiting for Reset window to close... on ProcessID " & nProcessID
	WScript.Sleep nInitialize
	objShell.AppActivate nProcessID
	objShell.SendKeys "%R"
	WScript.Sleep nInitialize
	intReturn = False
	WScript.Echo "Reset window closed..."
	WScript.Sleep nInterval

	' Wait for the closing state.
	Do While Not intReturn
		If Not ProcessIsRunning() Then
			Set objShell = Nothing
			Exit Sub
		End If
		WScript.Echo "Waiting for Close window..."
		WScript.Sleep nInitialize
		intReturn = objShell.AppActivate(nProcessID)
	Loop
	WScript.Echo "Close window found..."

	' Close, for as long as the process has a window to activate.
	Do While intReturn
		WScript.Echo "Waiting for Close window to close..."
		WScript.Sleep nInitialize
		objShell.AppActivate nProcessID
		objShell.SendKeys "%C"
		WScript.Sleep nInitialize
		intReturn = objShell.AppActivate(nProcessID)
	Loop
	WScript.Echo "Close window closed..."
	Set objShell = Nothing
End Sub