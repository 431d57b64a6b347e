ProcedureDLL.s Café()
€ 😀 �
