' WSTD through late binding, as a CorelDRAW macro drives it: properties, an
' object property, the configuration written by kvx, the shared routines and
' the errors a macro sees in Err.
Dim w, d, regular, chinese, c, texts
Set w = CreateObject("VORE.WSTD")
' Chinese texts come from a UTF-16 file the harness writes: the level of a
' registered customer, and a text to send through a property.
Set texts = TestFso.OpenTextFile(Env("TEXTS"), 1, False, -1)
regular = texts.ReadLine
chinese = texts.ReadLine
texts.Close

CheckEqual w.CFG_SQLsvr, "", "a new object has an empty CFG_SQLsvr"
Check w.cn Is Nothing, "a new object's cn is Nothing"

' Each string property keeps its own value; Chinese text crosses unchanged.
w.CFG_SQLsvr = "svr" & chinese
w.CFG_SQLUme = "ume"
w.CFG_SQLPwd = " pwd "
w.CFG_SQLDataName = "data"
w.ListNames = "names"
w.ListUser = "user"
CheckEqual w.CFG_SQLsvr, "svr" & chinese, "CFG_SQLsvr returns what was put"
CheckEqual w.CFG_SQLUme, "ume", "CFG_SQLUme returns what was put"
CheckEqual w.CFG_SQLPwd, " pwd ", "CFG_SQLPwd returns what was put, spaces and all"
CheckEqual w.CFG_SQLDataName, "data", "CFG_SQLDataName returns what was put"
CheckEqual w.ListNames, "names", "ListNames returns what was put"
CheckEqual w.listuser, "user", "property names are case-insensitive"

' Object properties hand back the very object that was set.
Set d = CreateObject("Scripting.Dictionary")
d.Add "k", "v"
Set w.cn = d
Set w.RS = d
Check w.cn Is d, "cn returns the object that was set"
CheckEqual w.cn.Item("k"), "v", "the object in cn is usable through it"
Set w.mstream = CreateObject("Scripting.Dictionary")
Check Not (w.mstream Is d), "mstream holds its own object"
Set w.cn = Nothing
Check w.cn Is Nothing, "cn set to Nothing is Nothing"
Check w.RS Is d, "RS keeps its object when cn is cleared"

' The configuration file written by kvx, read back by LoadCfgINI.
CheckEqual w.LoadCfgINI, True, "LoadCfgINI reads the configuration written by kvx"
CheckEqual w.CFG_SQLsvr, Env("SERVER"), "CFG_SQLsvr from the file"
CheckEqual w.CFG_SQLUme, Env("USER"), "CFG_SQLUme from the file"
CheckEqual w.CFG_SQLPwd, Env("PASSWORD"), "CFG_SQLPwd from the file"
CheckEqual w.CFG_SQLDataName, Env("DATABASE"), "CFG_SQLDataName from the file"
CheckEqual w.ListNames, Env("ORDERS"), "ListNames from the file"
CheckEqual w.ListUser, Env("CUSTOMERS"), "ListUser from the file"

' GetVIP and GetKWD: literals (by value) and variables (by reference);
' a position given as a fraction rounds half to even, a text is read as a number.
For Each c In Array(Array("A/B/C", 2, "B"), Array("A", 5, "A"), Array("", 1, ""), _
                    Array("A/B", 3, regular), Array("A/B", 0, regular), _
                    Array("A/B/C/D", 2.5, "B"), Array("A/B/C/D", 3.5, "D"), Array("A/B/C", "3", "C"))
  CheckEqual w.GetVIP(c(0), c(1)), c(2), "GetVIP(""" & c(0) & """, " & c(1) & ")"
Next
Dim st, p
st = "x-y"
p = 2
CheckEqual w.GetKWD(st, p), "y", "GetKWD with the default separator"
CheckEqual w.GetKWD("x-y", 3), "", "GetKWD past the last item is empty"
CheckEqual w.GetKWD("a|b", 2, "|"), "b", "GetKWD with its own separator"
CheckEqual w.GetKWD("a-b|c", 2, "|"), "c", "GetKWD with its own separator ignores the default one"
CheckEqual st, "x-y", "arguments a call does not change stay as they were"

' GetLong rounds up; a result beyond the 32-bit range is error 6.
CheckEqual w.GetLong(2), CLng(2), "GetLong(2)"
CheckEqual w.GetLong(2.01), CLng(3), "GetLong(2.01)"
CheckEqual w.GetLong(-2.5), CLng(-2), "GetLong(-2.5)"
Dim r
On Error Resume Next
r = w.GetLong(3E9)
CheckEqual Err.Number, CLng(6), "GetLong beyond the 32-bit range raises Overflow"
CheckEqual Err.Description, "Overflow", "the overflow's description"
Err.Clear
r = w.GetPvcInfo
CheckEqual Err.Number, &H80004001, "a member not built yet raises E_NOTIMPL"
Err.Clear
r = w.NoSuchMember
CheckEqual Err.Number, CLng(438), "an unknown member is error 438"
Err.Clear
On Error GoTo 0

Finish
