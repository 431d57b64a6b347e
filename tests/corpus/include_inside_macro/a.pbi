ProcedureDLL FromA()
