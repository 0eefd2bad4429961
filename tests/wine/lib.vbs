' Reporting helpers put in front of every VBScript test: results go to a
' UTF-16 file (named by WINETEST_RESULT) so Chinese text survives; the
' harness fails the test on any "not ok" line or a missing final "done".
Option Explicit

Dim TestShell, TestFso, TestOut, TestFailures
Set TestShell = CreateObject("WScript.Shell")
Set TestFso = CreateObject("Scripting.FileSystemObject")
Set TestOut = TestFso.CreateTextFile(TestShell.ExpandEnvironmentStrings("%WINETEST_RESULT%"), True, True)
TestFailures = 0

' The value of NAME=VALUE given to the harness, or "" when it was not given.
Function Env(name)
  Dim v
  v = TestShell.ExpandEnvironmentStrings("%WINETEST_" & name & "%")
  If v = "%WINETEST_" & name & "%" Then v = ""
  Env = v
End Function

Sub Report(text)
  TestOut.WriteLine text
End Sub

Sub Check(cond, label)
  If cond Then
    Report "ok " & label
  Else
    Report "not ok " & label
    TestFailures = TestFailures + 1
  End If
End Sub

' Compares with = after a type check, and shows both values when they differ.
Sub CheckEqual(actual, expected, label)
  Dim same
  same = (TypeName(actual) = TypeName(expected))
  If same Then same = (actual = expected)
  If same Then
    Report "ok " & label
  Else
    Report "not ok " & label & ": got " & TypeName(actual) & " [" & actual & "], expected " & _
           TypeName(expected) & " [" & expected & "]"
    TestFailures = TestFailures + 1
  End If
End Sub

' The last line of every script: marks that it ran to its end.
Sub Finish()
  Report "done"
  TestOut.Close
  WScript.Quit TestFailures
End Sub

' ---- the test script follows ----
