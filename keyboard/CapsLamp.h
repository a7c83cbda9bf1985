#pragma once
#include <QWidget>

// `shpCapsL`: the round Caps Lock lamp beside the label "Caps Lock".
class CapsLamp final : public QWidget {
    Q_OBJECT
public:
    explicit CapsLamp(QWidget* parent = nullptr);

    unsigned colour() const { return colour_; }   // lowest byte red

public slots:
    void setColour(unsigned colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    unsigned colour_;
};
