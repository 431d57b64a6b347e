ProcedureDLL Never()
