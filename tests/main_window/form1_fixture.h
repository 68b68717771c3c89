#pragma once

#include "main_window/form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QtTest>

#include <memory>

// A loaded main window whose warnings are collected instead of shown.
struct LoadedForm {
    std::unique_ptr<Form1> form = std::make_unique<Form1>();
    QStringList warnings;

    LoadedForm()
    {
        form->showWarnings = false;
        QObject::connect(
            form.get(), &Form1::warningRaised, [this](const QString& text) { warnings << text; });
    }

    Form1* operator->() const { return form.get(); }

    // Types into a field as a user would: select what is there, type over it.
    static void type(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    void typeLine(int line, const QStringList& texts) const
    {
        QLineEdit* const one[] = { form->t1, form->t2, form->t3, form->t4 };
        QLineEdit* const two[] = { form->t1_b, form->t2_b, form->t3_b, form->t4_b };
        for (int k = 0; k < 4; ++k)
            type(line == 1 ? one[k] : two[k], texts[k]);
    }
};
