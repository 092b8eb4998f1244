'==============================================================================
' Ombrelo - paints a banded vertical gradient
'
' Paste this procedure into a code module (.bas) of your project. It paints on
' any form, picture box or control that has AutoRedraw, ScaleHeight,
' ScaleWidth and the Line method, for example:
'
'     Ombrelo Picture1, 138, 138, 138, 236, 50, 0, Picture1.ScaleHeight, 1, True, 1, 1, 1
'
' Obj         the form, picture box or control to paint on
' R, G, B     red, green and blue level of the first band: 0..255, or
'             256..512 to keep the channel at full intensity for a while
' N           level that all three channels move toward; it is reached at
'             Start + Obj.ScaleHeight
' Band        band size in scale units (the distance between two bands)
' Start       position of the first band, in scale units from the top
' StopY       last position at which a band may start (usually
'             Obj.ScaleHeight; named StopY because Stop is a keyword)
' ModLine     1 paints solid bands; 2 or more paints only part of each band
'             and leaves a line pattern; 0 paints nothing
' AutoRedraw  True paints into the persistent picture, False on the screen
'             only; any other value leaves the object's setting alone
' MoreXR/G/B  divisors (1..20) of the red, green and blue level; values out of
'             that range come back corrected in your variables
'
' Pass Integer variables or constants. The arguments are taken by reference:
' a variable of another type (Long, Single) is refused with "ByRef argument
' type mismatch", and an expression is turned into an Integer at the call
' itself. So Picture1.ScaleHeight of an object taller than 32767 scale units
' (2184 pixels at 15 twips per pixel) stops your program at the call with an
' overflow, before the procedure runs.
'
' Inside, the procedure never raises an error: whatever cannot be done (a
' property the object lacks, a number too large for an Integer) is left out
' and the rest of the gradient is still painted. Compiled with the advanced
' option "Remove Integer Overflow Checks", numbers too large for an Integer
' wrap around instead of being left out, and those cases paint differently.
'
' Line paints with the object's DrawWidth and DrawMode: leave them at 1 and
' 13 (Copy Pen) to get the gradient that the designer shows.
'==============================================================================
Public Sub Ombrelo(Obj As Object, R As Integer, G As Integer, B As Integer, N As Integer, Band As Integer, Start As Integer, StopY As Integer, ModLine As Integer, AutoRedraw As Integer, MoreXR As Integer, MoreXG As Integer, MoreXB As Integer)
    Dim H As Integer, W As Integer, P As Integer
    Dim StepR As Single, StepG As Single, StepB As Single
    Dim LevelR As Single, LevelG As Single, LevelB As Single
    Dim Cr As Long, Cg As Long, Cb As Long, Colour As Long
    Dim HasColour As Boolean, Endless As Boolean, LevelsLost As Boolean
    Dim y As Integer, LastY As Integer, Stride As Integer

    On Error Resume Next

    ' Divisors: 1..20, written back to the caller
    If MoreXR < 1 Then MoreXR = 1
    If MoreXG < 1 Then MoreXG = 1
    If MoreXB < 1 Then MoreXB = 1
    If MoreXR >= 20 Then MoreXR = 20
    If MoreXG >= 20 Then MoreXG = 20
    If MoreXB >= 20 Then MoreXB = 20

    If AutoRedraw = -1 Then Obj.AutoRedraw = True
    If AutoRedraw = 0 Then Obj.AutoRedraw = False

    ' A size that cannot be read or is too large for an Integer counts as 0
    H = Obj.ScaleHeight
    W = Obj.ScaleWidth

    ' Each level moves by (N - start level) * Band / H per band, so that it
    ' reaches N at Start + H. When N - start level or (N - start level) * Band
    ' is too large for an Integer, that channel keeps its start level. An
    ' object of height 0 gets only its first band (the levels would have to
    ' move endlessly), unless every channel's step overflowed: then all its
    ' bands are painted with the start levels.
    Err.Clear
    P = (N - R) * Band
    If Err.Number = 0 Then
        If H = 0 Then Endless = True Else StepR = P / H
    End If
    Err.Clear
    P = (N - G) * Band
    If Err.Number = 0 Then
        If H = 0 Then Endless = True Else StepG = P / H
    End If
    Err.Clear
    P = (N - B) * Band
    If Err.Number = 0 Then
        If H = 0 Then Endless = True Else StepB = P / H
    End If
    LevelR = R
    LevelG = G
    LevelB = B

    ' One band per position Start, Start + Band, ... up to StopY (down to StopY
    ' when Band is negative)
    y = Start
    LastY = StopY
    Stride = Band
    Do While (Stride >= 0 And y <= LastY) Or (Stride < 0 And y >= LastY)
        ' Colour: each level rounded to the nearest whole number (CLng rounds
        ' halves to even), divided by its divisor, kept within 0..255. A band
        ' whose colour cannot be formed is not painted.
        HasColour = False
        If Not LevelsLost Then
            Err.Clear
            Cr = CLng(LevelR) \ MoreXR
            Cg = CLng(LevelG) \ MoreXG
            Cb = CLng(LevelB) \ MoreXB
            If Err.Number = 0 Then
                If Cr < 0 Then Cr = 0
                If Cr > 255 Then Cr = 255
                If Cg < 0 Then Cg = 0
                If Cg > 255 Then Cg = 255
                If Cb < 0 Then Cb = 0
                If Cb > 255 Then Cb = 255
                Colour = Cr + 256& * Cg + 65536 * Cb
                HasColour = True
            End If
        End If

        ' From one unit left of the object and one unit above the band
        ' position, so that neighbouring bands leave no seam. A band whose box
        ' does not fit the Integer range is left out.
        If HasColour Then Obj.Line (-1, y - 1)-(W, y + Band \ ModLine), Colour, BF

        LevelB = LevelB + StepB
        LevelR = LevelR + StepR
        LevelG = LevelG + StepG
        If Endless Then LevelsLost = True

        ' A band size of 0 paints one band; the gradient ends where the next
        ' position would not fit an Integer
        If Stride = 0 Then Exit Do
        If CLng(y) + Stride > 32767 Or CLng(y) + Stride < -32768 Then Exit Do
        y = y + Stride
    Loop
End Sub
