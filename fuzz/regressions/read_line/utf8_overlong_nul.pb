x = "À€"
ProcedureDLL A()
