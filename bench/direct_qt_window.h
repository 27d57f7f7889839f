// The check-code window written directly against Qt Widgets: the yardstick the framework's build of the same
// window is measured against. Same widgets, geometry, texts, fonts, menus and row shading.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QAbstractItemView;
class QListWidget;
class QTreeWidget;
class QPushButton;

struct DirectQtTexts {
    QString title, field, button, resultGroup, officeGroup;
    QString fileMenu, about, quit, editMenu, undo, cut, copy, paste, clear;
};

class DirectQtWindow : public QWidget {
public:
    // The office list as a QListWidget, as one would write this window in Qt, or as a one-column QTreeWidget,
    // the widget the framework's list box is made of (to tell the layer's cost from the widget's).
    enum class List { ListWidget, TreeWidget };
    explicit DirectQtWindow(const DirectQtTexts& texts, List list = List::ListWidget);

    QLineEdit* Field() const { return field_; }
    QPushButton* Button() const { return button_; }
    QLabel* Result() const { return result_; }
    int OfficeCount() const;

    // What the button does: the result text, then the office list emptied, refilled and sorted.
    void Press();

private:
    QLineEdit* field_;
    QPushButton* button_;
    QLabel* result_;
    QListWidget* offices_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};
