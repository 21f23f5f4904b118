#pragma once
// Refuses what is dragged onto the web view. A file or link dropped there
// would make the view navigate to it; the view is the program's page only.
// The filter watches the view and every widget inside it, those the engine
// makes later included, since the engine's own widget takes the drags.

#include <QObject>

class QWidget;

class ORB_DropRefusal : public QObject
{
    Q_OBJECT

public:
    explicit ORB_DropRefusal(QWidget* view);

signals:
    void drop_refused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);
};
