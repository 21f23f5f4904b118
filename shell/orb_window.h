#pragma once
// The program's one main window. It owns its own translator, loaded for the
// language chosen at start-up.

#include <QMainWindow>
#include <QString>

class QTranslator;

class ORB_Window : public QMainWindow
{
    Q_OBJECT

public:
    ORB_Window(QString mode, int language, QWidget* parent = nullptr);
    ~ORB_Window() override;

private:
    void retranslateUi();
    void install_translator();

    QTranslator* translator;
    int language;
};
