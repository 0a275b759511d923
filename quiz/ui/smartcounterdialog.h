#pragma once

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace brainlark
{

class AppSettings;

/// "Smart Counter Settings": how often the counter congratulates and what it does then, and the score
/// reset. The dialog only collects the choices; the quiz view applies them on OK.
class SmartCounterDialog : public QDialog
{
    Q_OBJECT
public:
    /// alertFactor as stored: N, or -N while alerts are off (0 counts as off with N = 10).
    SmartCounterDialog(int alertFactor, bool music, bool animation, bool reverse, QWidget* parent = nullptr);
    /// With the choices stored in the settings.
    explicit SmartCounterDialog(const AppSettings& settings, QWidget* parent = nullptr);
    /// Stores the choices in the settings (what OK does).
    void apply(AppSettings& settings) const;

    /// N when "Alert after every" is checked, -N otherwise.
    int alertFactor() const;
    bool music() const;
    bool animation() const;
    bool reverse() const;
    bool resetPressed() const { return m_reset; }

    QCheckBox* alertBox() const { return m_alert; }
    QSpinBox* everyBox() const { return m_every; }
    QCheckBox* musicBox() const { return m_music; }
    QCheckBox* animationBox() const { return m_animation; }
    QCheckBox* reverseBox() const { return m_reverse; }

signals:
    void helpRequested();

public slots:
    void resetScore();

private:
    QCheckBox* m_alert = nullptr;
    QSpinBox* m_every = nullptr;
    QCheckBox* m_music = nullptr;
    QCheckBox* m_animation = nullptr;
    QCheckBox* m_reverse = nullptr;
    bool m_reset = false;
};

} // namespace brainlark
