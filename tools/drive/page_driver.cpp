#include "page_driver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

QVariant PageDriver::run(const QString& script)
{
    // Shared with the callback: a result that comes after the wait gave up
    // must not write into a call that has returned.
    auto result = std::make_shared<QVariant>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    page->runJavaScript(script, [result, waiting](const QVariant& value) {
        *result = value;
        if (waiting)
            waiting->quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return *result;
}

bool PageDriver::wait_for(const QString& expression, int timeout_ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout_ms) {
        if (run("Boolean(" + expression + ")").toBool())
            return true;
        QEventLoop pause;
        QTimer::singleShot(100, &pause, &QEventLoop::quit);
        pause.exec();
    }
    return false;
}

namespace {

// The selector as a JavaScript string literal.
QString quoted(const QString& selector)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{selector}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

} // namespace

QString PageDriver::text(const QString& selector)
{
    return run(QString("(document.querySelector(%1) || {}).textContent || ''").arg(quoted(selector))).toString();
}

void PageDriver::click(const QString& selector)
{
    run(QString("document.querySelector(%1).click()").arg(quoted(selector)));
}
