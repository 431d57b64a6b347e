ProcedureDLL.l Broken
