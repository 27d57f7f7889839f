// The check-code window written directly against Qt Widgets: the yardstick the framework's build of the same
// window is measured against. Same widgets, geometry, texts, fonts, menus and row shading.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

struct DirectQtTexts {
    QString title, field, button, resultGroup, officeGroup;
    QString fileMenu, about, quit, editMenu, undo, cut, copy, paste, clear;
};

class DirectQtWindow : public QWidget {
public:
    explicit DirectQtWindow(const DirectQtTexts& texts);

    QLineEdit* Field() const { return field_; }
    QPushButton* Button() const { return button_; }
    QLabel* Result() const { return result_; }
    QListWidget* Offices() const { return offices_; }

    // What the button does: the result text, then the office list emptied, refilled and sorted.
    void Press();

private:
    QLineEdit* field_;
    QPushButton* button_;
    QLabel* result_;
    QListWidget* offices_;
};
