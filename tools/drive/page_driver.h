#pragma once
// Drives the HTML application in the window's real web view for a test:
// runs JavaScript and waits for what the page shows. A script that throws,
// or a page that does not answer, fails the test there and then, with the
// script and the page's last console lines: no check ever passes on an empty
// value that stands for "nothing happened".

#include <QString>
#include <QVariant>

class QWebEnginePage;

class PageDriver
{
public:
    explicit PageDriver(QWebEnginePage* page);

    // The script's result, after the page has run it. The script may be an
    // expression or statements; its value is that of the last statement.
    QVariant run(const QString& script);
    // Polls the expression until it is true; false after timeout_ms, having
    // said what the expression last gave (or threw) and what the page logged.
    bool wait_for(const QString& expression, int timeout_ms = 15000);
    // Text of the first element matching a CSS selector; fails when none does.
    QString text(const QString& selector);
    // Clicks the first element matching a CSS selector; fails when none does.
    void click(const QString& selector);
    // Types text into the form field with this id, as a person does: the
    // field then tells the page (an "input" event, or the one named).
    void type(const QString& id, const QString& text, const QString& event = "input");
    // A text as a JavaScript string literal, for a script.
    static QString quoted(const QString& text);

private:
    // The page's answer to a script; answered false when none came in time.
    QVariant answer(const QString& script, bool* answered);
    // The value of action, a JavaScript expression over the element e that
    // matches selector; fails when none does.
    QVariant on_element(const QString& selector, const QString& action);
    [[noreturn]] void fail(const QString& script, const QString& what);

    QWebEnginePage* page;
};
