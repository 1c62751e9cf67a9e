#include "ScreenKeyboard.h"

#include "ui_ScreenKeyboard.h"

#include <QKeyEvent>
#include <QTimer>

ScreenKeyboard::ScreenKeyboard(QWidget *parent) : QDialog(parent), ui(new Ui::ScreenKeyboard)
{
    ui->setupUi(this);
    ui->lineEdit->installEventFilter(this);
    ui->lineEdit->setFocus();
}

ScreenKeyboard::~ScreenKeyboard()
{
    delete ui;
}

void ScreenKeyboard::setTitle(const QString &title)
{
    ui->label_MSG_Prime->setText(title);
}

void ScreenKeyboard::setText(const QString &text)
{
    ui->lineEdit->setText(text);
    ui->lineEdit->deselect();
}


QString ScreenKeyboard::getText() const
{
    return ui->lineEdit->text();
}

void ScreenKeyboard::setTextMaxLength(int length)
{
    ui->lineEdit->setMaxLength(length);
}

VirtualKeyboard *ScreenKeyboard::keyGrid() const
{
    return ui->virtualKeyboard;
}

bool ScreenKeyboard::editText(QWidget *field, QString &text, int maxLength)
{
    ScreenKeyboard keyboard(field);
    keyboard.setTextMaxLength(maxLength);
    keyboard.setText(text);
    if (keyboard.exec() != Taken)
        return false;
    text = keyboard.getText();
    return true;
}

void ScreenKeyboard::reject()
{
    done(Kept);
}

bool ScreenKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    // The encoder always moves the highlight, never the text cursor.
    if (watched == ui->lineEdit && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(ui->virtualKeyboard, event);
        return true;
    }
    if (watched == ui->lineEdit && event->type() == QEvent::FocusIn) {
        // The line edit selects its text when it gains the focus; keys are appended,
        // so a selection would only suggest they replace the text.
        QTimer::singleShot(0, ui->lineEdit, [this] {
            ui->lineEdit->deselect();
            ui->lineEdit->end(false);
        });
    }
    return QDialog::eventFilter(watched, event);
}

void ScreenKeyboard::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F1: {
        const QChar key = ui->virtualKeyboard->getCurrentKey();
        if (!key.isNull())
            ui->lineEdit->setText(ui->lineEdit->text() + key);
        break;
    }
    case Qt::Key_F2: {
        QString text = ui->lineEdit->text();
        text.chop(1);
        ui->lineEdit->setText(text);
        break;
    }
    case Qt::Key_F3:
        ui->virtualKeyboard->toggleShift();
        break;
    case Qt::Key_F4:
        ui->virtualKeyboard->toggleKeyboard();
        break;
    case Qt::Key_F6:
        done(Taken);
        break;
    case Qt::Key_F7:
        done(Kept);
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ScreenKeyboard::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
