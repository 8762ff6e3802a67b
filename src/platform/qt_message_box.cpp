#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace forecast::platform {

void QtMessageBox::Show(const std::string& text, const std::string& title) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

}  // namespace forecast::platform
