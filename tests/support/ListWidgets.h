#pragma once

#include <QListWidget>
#include <QStringList>
#include <QTest>

// Every item's text, top to bottom.
inline QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// A click on a row where the user would make it.
inline void clickRow(
    QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(list->viewport(), button, modifiers, list->visualItemRect(list->item(row)).center());
}
