#include "orb_window.h"

#include "startup_language.h"

#include <QApplication>
#include <QTranslator>

ORB_Window::ORB_Window(QString mode, int language, QWidget* parent)
    : QMainWindow(parent)
    , translator(new QTranslator)
    , language(language)
{
    Q_UNUSED(mode);
    if (objectName().isEmpty())
        setObjectName("CorvaneIOT_Managesystem");
    resize(1400, 750);
    setMinimumSize(800, 600);
    retranslateUi();
    install_translator();
}

ORB_Window::~ORB_Window()
{
    delete translator;
}

void ORB_Window::install_translator()
{
    translator->load(language_catalogue(language));
    QApplication::installTranslator(translator);
    retranslateUi();
}

void ORB_Window::retranslateUi()
{
    setWindowTitle(QApplication::translate("CorvaneIOT_Managesystem", "CorvaneIOT_Window"));
}
