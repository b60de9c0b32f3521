Attribute VB_Name = "modData"
Option Explicit

Public Const MAX_ROWS = 10

Public Function LoadRows() As Long
    Rem the row count never changes
    LoadRows = MAX_ROWS
End Function
