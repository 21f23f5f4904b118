#pragma once
// Drives the HTML application in the window's real web view for a test:
// runs JavaScript and waits for what the page shows.

#include <QString>
#include <QVariant>

class QWebEnginePage;

class PageDriver
{
public:
    explicit PageDriver(QWebEnginePage* page) : page(page) {}

    // The script's result, after the page has run it.
    QVariant run(const QString& script);
    // Polls the expression until it is true; false after timeout_ms.
    bool wait_for(const QString& expression, int timeout_ms = 15000);
    // Text of the first element matching a CSS selector.
    QString text(const QString& selector);
    void click(const QString& selector);

private:
    QWebEnginePage* page;
};
