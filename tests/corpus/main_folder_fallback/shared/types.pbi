Structure DialogResult
  Button.l
  Text.s
EndStructure

Global LastResult.DialogResult
