#pragma once
#include <QDialog>

// The About window: the program's name and version, the information page (working environment,
// today's date, where the program and its settings are; the last two open on a click) and the
// actions "Lista aplikacji", switching the data set, the uninstaller and technical contact.
class TeAbout : public QDialog {
    Q_OBJECT
public:
    explicit TeAbout(QWidget* parent = nullptr);
};
