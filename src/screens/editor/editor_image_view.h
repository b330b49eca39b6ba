#pragma once

#include <optional>

#include <QColor>
#include <QString>
#include <QWidget>

namespace vlt {

// A fixed-size picture of the editor's artwork, optionally clipped to a rounded
// rectangle or tinted, and hidden from assistive technology: the toolbar's logo and
// the inspector's tool icon.
class EditorImageView final : public QWidget {
    Q_OBJECT

public:
    EditorImageView(const QString& assetName, QSize size, double cornerRadius, QWidget* parent = nullptr);

    const QString& assetName() const { return assetName_; }
    void setAssetName(const QString& assetName);
    void setTint(std::optional<QColor> tint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString assetName_;
    double cornerRadius_;
    std::optional<QColor> tint_;
};

}  // namespace vlt
