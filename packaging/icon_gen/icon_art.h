#pragma once

#include <QImage>

// Paints the program's icon at the given size: a blue square board standing
// on its corner with yellow triangles in its four corners, a white sheet of
// paper lying on it and a yellow pencil whose point touches the sheet.
// Smooth pictures are antialiased with soft edges; the others keep hard
// edges and a handful of colours, ready for a 256-colour palette.
QImage paintTrellanIcon(int size, bool smooth);
