#pragma once
// A label that wraps its text onto at most a few lines of its width, cuts the
// last one with "…" where the text goes on, and keeps the whole text for
// whoever asks.
#include <QLabel>
#include <QString>

namespace kavero::app {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  void SetFullText(const QString& text);
  void SetMaxLines(int lines);
  const QString& FullText() const { return full_text_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();

  QString full_text_;
  int max_lines_ = 1;
};

}  // namespace kavero::app
