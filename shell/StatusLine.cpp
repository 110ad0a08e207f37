// The self-clearing status line.
#include "shell/StatusLine.h"

#include <QTimer>

namespace tubewise {

void ShowStatus(TextLabel* line, const QString& text) {
    line->setText(text);
    line->setAccessibleDescription(text);
    if (text.isEmpty()) return;
    // Only the text shown by this call is cleared: a later status keeps its own time.
    QTimer::singleShot(kStatusMilliseconds, line, [line, text] {
        if (line->text() == text) ShowStatus(line, QString());
    });
}

}  // namespace tubewise
