#pragma once
// A one-line label that cuts its text to its width with "…" and keeps the
// whole text for whoever asks.
#include <QLabel>
#include <QString>

namespace kavero::app {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void SetFullText(const QString& text);
  const QString& FullText() const { return full_text_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();

  QString full_text_;
};

}  // namespace kavero::app
