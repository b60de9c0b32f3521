VERSION 5.00
Begin VB.Form frmMain 
   Caption         =   "Sample"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
End
Attribute VB_Name = "frmMain"
Option Explicit

Private Sub Form_Load()
    Me.Caption = gsAppTitle
    MsgBox "Call ShowTotals to see them"
    ' ResetCounter runs when the counter wraps
    Debug.Print LoadRows()
End Sub

Public Sub RefreshView()
    Me.Refresh
End Sub
