#pragma once

#include <QIcon>

// The program's icon: the board with the sheet and the pencil, in every
// size the program file's icon carries with full colour and alpha.
QIcon trellanIcon();
