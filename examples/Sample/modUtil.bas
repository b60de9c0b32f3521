Attribute VB_Name = "modUtil"
Option Explicit

Private Const WRAP_AT = 1000

Public gsAppTitle As String
Public gnCounter As Long

Public Sub ShowTotals()
    MsgBox "Totals"
End Sub

Public Function Factorial(ByVal n As Long) As Long
    If n <= 1 Then
        Factorial = 1
    Else
        Factorial = n * Factorial(n - 1)
    End If
End Function

Public Sub ResetCounter()
    gnCounter = 0
End Sub

Private Sub Bump()
    gnCounter = gnCounter + 1
    If gnCounter > WRAP_AT Then ResetCounter
End Sub
