#pragma once
// Czech for the whole program, whatever the system's language: Qt's own dialogs and buttons
// ("Ano", "Ne", "Zrušit"), the edit boxes' menus, the calendars and the number formats.
class QApplication;

// Installs Qt's Czech translation (when the system has it) and makes Czech the default locale.
// Returns false when the translation was not found; the locale is set either way.
bool speak_czech(QApplication& app);
