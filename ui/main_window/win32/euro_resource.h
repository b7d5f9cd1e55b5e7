// Names shared by the main window's resource script (euro.rc) and its code.
#pragma once

#define EURO_MENU L"EURO_MENU"
#define FIZQ_PICTURE L"FIZQ"
#define FDCHA_PICTURE L"FDCHA"

#define ID_SALIR 101
#define ID_TEMAS 102
#define ID_ACERCA 103
