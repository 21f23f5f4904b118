#pragma once
// The web view's page: it shows the program's own HTML application and
// nothing else. The page holds both links, so any other document that came
// to fill it (a link followed, a script's navigation, a dropped file) could
// send commands to the switches and have the program sign cloud requests.
// Such navigations are refused; a link a person clicks that leads to the
// web opens in the system browser instead. Its settings grant the page no
// more than it uses.

#include <QUrl>
#include <QWebEnginePage>

class ORB_AppPage : public QWebEnginePage
{
    Q_OBJECT

public:
    // own_page: the file URL of the program's app/index.html.
    ORB_AppPage(const QUrl& own_page, QObject* parent);

    // The program's own text in place of the page, for when it is missing.
    void show_own_text(const QString& html);

signals:
    // A navigation to url was refused; opened_outside: it went to the
    // system browser instead.
    void navigation_refused(const QUrl& url, bool opened_outside);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    void restrict_settings();
    bool is_own_page(const QUrl& url) const;

    QUrl own_page;
    bool own_text_pending = false;
};
