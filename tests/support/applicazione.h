#pragma once

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kobaltino {

// One QApplication for the whole test program, offscreen. It lives until the process ends:
// destroying it from a static destructor would run Qt's clean-up after parts of it are gone.
inline QApplication& applicazione()
{
    // Settings (recent programs, shown parameters) go to folders of this run, emptied at exit, so
    // that no test reads or writes the real user's choices.
    static QTemporaryDir configurazione, preferenze;
    qputenv("XDG_CONFIG_HOME", configurazione.path().toUtf8());
    static int argc = 1;
    static char nome[] = "test_kobaltino", *argv[] = {nome, nullptr};
    static QApplication* app = [] {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferenze.path());
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace kobaltino
