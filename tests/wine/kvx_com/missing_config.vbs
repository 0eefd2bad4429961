' LoadCfgINI without a configuration file: after the message box (dismissed
' by the harness) it returns False and leaves the properties alone.
Dim w
Set w = CreateObject("VORE.WSTD")
w.CFG_SQLsvr = "kept"
CheckEqual w.LoadCfgINI, False, "LoadCfgINI without a configuration file returns False"
CheckEqual w.CFG_SQLsvr, "kept", "a failed LoadCfgINI leaves CFG_SQLsvr as it was"
Finish
