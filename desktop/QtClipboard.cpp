#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace reckora {

void QtClipboard::Clear() {
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtClipboard::Text() {
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace reckora
