#pragma once
// An item delegate that never creates an editor: the column it is set on
// cannot be edited in place.

#include <QStyledItemDelegate>

class NoEditDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    ~NoEditDelegate() override;

    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return nullptr;
    }
};
