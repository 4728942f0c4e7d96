// Connects the main window with the windows of the other subsystems.
#pragma once

class hpt;

// Sets every Fensteroeffner of the main window.
void verbindeFenster(hpt& hauptfenster);
