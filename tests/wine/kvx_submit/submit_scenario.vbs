' WStoudiEX as a CorelDRAW macro calls it: every argument a variable or a
' literal, results checked, and the by-reference Codes and Heshu read back.
Dim w, codes, heshu, r
Set w = CreateObject("VORE.WSTD")

' A business card order: Codes comes back trimmed, Heshu unchanged.
codes = "  A0001星光广告 "
heshu = "30"
r = w.WStoudiEX(codes, "名片 90x54", "单面", "无", heshu, "1", "1", "Tom's", "", "W-0001", "名片", False, "", 0, "", 0, False)
CheckEqual r, "(289)", "a stored card order returns its total in parentheses"
CheckEqual codes, "A0001星光广告", "Codes comes back trimmed"
CheckEqual heshu, "30", "Heshu stays as given without a fixed amount"
' The call's connection and recordset stay in cn and RS, both closed.
Dim held
Check Not w.cn Is Nothing, "cn holds the call's connection"
Set held = w.cn
Check w.cn Is held, "cn gives back the same object while it is held"
CheckEqual w.cn.State, CLng(0), "a stored order closes its connection"
CheckEqual w.RS.State, CLng(0), "the insert leaves the recordset closed"

' Special-paper cards at a fixed amount.
codes = "C0005新客户图文"
heshu = "10"
r = w.WStoudiEX(codes, "珠光纸", "单面", "无", heshu, "1", "1", "", "", "W-0002", "特种纸卡", False, "", 120, "华彩印务", 0, False)
CheckEqual r, "(120)", "special-paper cards store the fixed amount"
CheckEqual heshu, "10", "special-paper cards keep Heshu"

' Another product type at a fixed amount: Heshu comes back as 0.
codes = "A0002彩虹图文"
heshu = "2000"
r = w.WStoudiEX(codes, "A4宣传单", "双面", "无", heshu, "1", "1", "", "", "W-0003", "宣传单", False, "", 260, "", 0, False, 0)
CheckEqual r, "(260)", "another product type stores the fixed amount"
CheckEqual heshu, "0", "a fixed amount writes Heshu back as 0"

' Price only: the bare total, nothing stored.
codes = "K0004快印坊"
heshu = "100"
r = w.WStoudiEX(codes, "报价", "双面", "无", heshu, "1", "1", "", "", "W-0004", "名片", False, "", 0, "", 0, True)
CheckEqual r, "1440", "a price-only request returns the bare total"

' A card order at a fixed amount is stored, its cost priced on the boxes given.
codes = "A0001星光广告"
heshu = "30"
r = w.WStoudiEX(codes, "定价名片", "单面", "无", heshu, "1", "1", "", "", "W-0005", "名片", False, "", 80, "", 0, False)
CheckEqual r, "(80)", "a card order at a fixed amount is stored"
CheckEqual heshu, "0", "a card order at a fixed amount writes Heshu back as 0"

' Refusals.
codes = "A0001星光广告"
heshu = "30"
r = w.WStoudiEX(codes, "名片", "单面", "无", heshu, "1", "1", "", "", "W-0001", "名片", False, "", 0, "", 0, False)
CheckEqual r, "该用户名已经被登记过！", "the same order on the same business day is refused"
codes = "Z9999测试"
r = w.WStoudiEX(codes, "名片", "单面", "无", heshu, "1", "1", "", "", "W-0006", "名片", False, "", 0, "", 0, False)
CheckEqual r, "没有注册该用户[Z9999测试],请重新注册！", "an unknown customer is refused"
CheckEqual w.cn.State, CLng(1), "a refused unknown customer leaves the new connection open"
Check Not w.cn Is held, "each database call replaces cn"
w.cn.Close
CheckEqual w.cn.State, CLng(0), "a macro can close the connection"

' No customer code: the box (dismissed by the harness), then ERR.
codes = " 12345 "
r = w.WStoudiEX(codes, "名片", "单面", "无", heshu, "1", "1", "", "", "", "名片", False, "", 0, "", 0, False)
CheckEqual r, "ERR", "Codes without a customer code returns ERR"
CheckEqual codes, "12345", "Codes comes back trimmed before the box"
Finish
