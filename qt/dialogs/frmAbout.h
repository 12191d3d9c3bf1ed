#pragma once

#include <QDialog>

namespace tintwatch {

// "About Tint Watch": name, version and how to read each clock type.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);
  void cmdOK_Click() { close(); }
};

}  // namespace tintwatch
