/* The program's icons. Icon 1 is the program's own: Explorer shows the first icon of an
   executable as its picture, and the main window's class takes it too. */
#pragma once

#define IDI_PROGRAM 1
#define IDI_RECORDING 3080
