Option Explicit
' Begin.vbs
'
' Resets Internet Explorer to its defaults through its own reset dialog,
' "rundll32.exe inetcpl.cpl ResetIEtoDefaults", which the companion script
' CreateProcessAndWait.vbs (beside this one) starts, confirms and closes.
' The reset writes brndlog.txt, and usually ried.log, into Internet
' Explorer's per-user folder. The old logs are moved into an archive folder
' first, so that a branding log found afterwards is this reset's sign of
' success: the old logs are then thrown away; otherwise they are put back.
'
' Exit code 1: the companion script is missing and nothing was touched.
' Exit code 0: otherwise, whether or not the reset ran.

Dim objFSO, objShell
Dim bResetDone, bLogArchived
Dim strLogFolder, strBrndLog, strRiedLog, strArchiveFolder
Dim strScriptPath, strToolScriptPath, strCmdExec

Set objFSO = CreateObject("Scripting.FileSystemObject")
Set objShell = CreateObject("wscript.shell")
bResetDone = False
bLogArchived = False
strLogFolder = objShell.ExpandEnvironmentStrings("%USERPROFILE%\Local Settings\Application Data\Microsoft\Internet Explorer")
strBrndLog = strLogFolder & "\brndlog.txt"
strRiedLog = strLogFolder & "\ried.log"
strArchiveFolder = strLogFolder & "\FixIt-Archive"

' The companion lies in this script's own folder: the full path up to and
' including its last backslash.
strScriptPath = WScript.ScriptFullName
strToolScriptPath = Left(strScriptPath, InStrRev(strScriptPath, "\")) & "CreateProcessAndWait.vbs"
strCmdExec = "cscript.exe " & Chr(34) & strToolScriptPath & Chr(34) _
    & " " & Chr(34) & "rundll32.exe inetcpl.cpl ResetIEtoDefaults" & Chr(34) _
    & " 2000 1 200"

If Not objFSO.FileExists(strToolScriptPath) Then
    WScript.Quit 1
End If

' An archive left by a run that stopped halfway.
If objFSO.FolderExists(strArchiveFolder) Then
    objFSO.DeleteFolder strArchiveFolder, True
End If

If objFSO.FileExists(strBrndLog) Or objFSO.FileExists(strRiedLog) Then
    objFSO.CreateFolder strArchiveFolder
    If objFSO.FileExists(strBrndLog) Then
        objFSO.MoveFile strBrndLog, strArchiveFolder & "\brndlog.txt"
    End If
    If objFSO.FileExists(strRiedLog) Then
        objFSO.MoveFile strRiedLog, strArchiveFolder & "\ried.log"
    End If
    bLogArchived = True
End If

' Hidden, and waited for however long the reset takes.
objShell.Run strCmdExec, 0, True

bResetDone = objFSO.FileExists(strBrndLog)

If bResetDone Then
    ' The reset's own logs stay; the old ones go.
    If bLogArchived Then
        objFSO.DeleteFolder strArchiveFolder, True
    End If
ElseIf bLogArchived Then
    ' Put the old logs back, over whatever the failed reset left under
    ' their names.
    RestoreLog "brndlog.txt", strBrndLog
    RestoreLog "ried.log", strRiedLog
    objFSO.DeleteFolder strArchiveFolder, True
End If

WScript.Quit 0

' Moves one archived log back to its place, if it was archived.
Sub RestoreLog(strName, strLogPath)
    Dim strArchivedLog
    strArchivedLog = strArchiveFolder & "\" & strName
    If objFSO.FileExists(strArchivedLog) Then
        If objFSO.FileExists(strLogPath) Then
            objFSO.DeleteFile strLogPath, True
        End If
        objFSO.MoveFile strArchivedLog, strLogPath
    End If
End Sub