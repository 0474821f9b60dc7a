#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QPlainTextEdit;

// The size of the boxes' text, as a percentage of the design's: larger and smaller in the steps
// that text programs use, from 75 % to 300 %, remembered with QSettings (never in the database).
// Only the text grows: the boxes keep their place and size, and scroll.
class TextSize : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSmallest = 75;
    static constexpr int kUsual = 100;
    static constexpr int kLargest = 300;
    // The settings key of the percentage.
    static const char *const kSettingsKey;

    // The steps from one size to the next (kSmallest to kLargest): the next larger or smaller
    // than `percent`, which need not be one of them; the ends stay where they are.
    static int larger(int percent);
    static int smaller(int percent);

    // The boxes' text at `basePoints` for 100 %, in the size last remembered. Ctrl and the wheel
    // over a box change it too.
    TextSize(const QList<QPlainTextEdit *> &boxes, qreal basePoints, QObject *parent = nullptr);

    int percent() const { return m_percent; }
    // Kept within kSmallest and kLargest, and remembered.
    void setPercent(int percent);
    void makeLarger() { setPercent(larger(m_percent)); }
    void makeSmaller() { setPercent(smaller(m_percent)); }
    void makeUsual() { setPercent(kUsual); }

signals:
    void changed(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();

    QList<QPointer<QPlainTextEdit>> m_boxes;
    qreal m_basePoints;
    int m_percent = kUsual;
    int m_wheel = 0; // eighths of a degree turned, short of a whole step
};
