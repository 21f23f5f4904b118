#include "app_page.h"

#include <QDebug>
#include <QDesktopServices>
#include <QWebEngineSettings>

ORB_AppPage::ORB_AppPage(const QUrl& own_page, QObject* parent)
    : QWebEnginePage(parent)
    , own_page(own_page)
{
    restrict_settings();
}

void ORB_AppPage::restrict_settings()
{
    QWebEngineSettings* s = settings();
    // The page loads its scripts and styles from its own folder and talks to
    // the program over the web channel only: no reading of other files, no
    // requests to the network, no storage.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
    s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    s->setAttribute(QWebEngineSettings::HyperlinkAuditingEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
}

void ORB_AppPage::show_own_text(const QString& html)
{
    own_text_pending = true;
    setHtml(html);
}

bool ORB_AppPage::is_own_page(const QUrl& url) const
{
    return url.adjusted(QUrl::RemoveFragment) == own_page;
}

bool ORB_AppPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool is_main_frame)
{
    if (is_own_page(url))
        return true;
    // Only the program itself starts a typed load; a document cannot.
    if (own_text_pending && is_main_frame && type == NavigationTypeTyped && url.scheme() == "data") {
        own_text_pending = false;
        return true;
    }
    const bool outside =
        type == NavigationTypeLinkClicked && is_main_frame && (url.scheme() == "http" || url.scheme() == "https");
    qWarning().noquote() << "The web view refused to open" << url.toDisplayString(QUrl::RemoveUserInfo)
                         << (outside ? "(opened in the system browser)" : "");
    if (outside)
        QDesktopServices::openUrl(url);
    emit navigation_refused(url, outside);
    return false;
}

QWebEnginePage* ORB_AppPage::createWindow(WebWindowType)
{
    return nullptr; // the page opens no windows
}
