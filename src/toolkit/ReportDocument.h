#pragma once

#include "ReportDefinition.h"

#include <QColor>
#include <QCoreApplication>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QLineF>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

// One thing drawn on a page, positioned in millimetres from the paper's top-left corner.
struct ReportItem
{
    enum class Type : quint8 {
        Text,     // text in rect with flags
        PageText, // text with "%1" page number and "%2" page count, filled in when drawn
        Fill,     // rect filled with color
        Line      // line from rect's top-left to its bottom-right, width in mm
    };
    Type type = Type::Text;
    QRectF rect;
    QString text;
    int font = 0;  // index into the document's fonts
    int flags = 0; // Qt::AlignmentFlag | Qt::TextWordWrap
    QColor color;
    qreal widthMm = 0;
};

// The page store of a generated report: every page as a list of items, drawn again on any
// painter at any scale. Copies share the pages.
class ReportDocument
{
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)

public:
    ReportDocument() = default;
    ReportDocument(const QString &name, const ReportPage &page);

    QString name() const { return m_d->name; }
    ReportPage page() const { return m_d->page; }
    int pageCount() const { return int(m_d->pages.size()); }
    bool isEmpty() const { return m_d->pages.empty(); }
    // The paper as printers and PDF writers take it: no margins (the report draws its own),
    // landscape when the paper is wider than tall.
    QPageLayout pageLayout() const;

    const std::vector<ReportItem> &items(int pageIndex) const;
    // The text of every text item of a page in drawing order (page numbers filled in).
    QStringList pageTexts(int pageIndex) const;

    // Draws page pageIndex (0-based) into target, in the painter's current coordinates,
    // scaled uniformly to fit and centred; the paper is filled white first when paper is set.
    void render(int pageIndex, QPainter &painter, const QRectF &target,
                bool paper = true) const;

    // Writes every page into a PDF file of the report's paper size, replacing the file only
    // when the whole document was written. False with the reason in *why.
    bool exportPdf(const QString &path, QString *why = nullptr) const;

    // Building (used by the generator).
    int addFont(const QFont &font);
    const QFont &font(int index) const { return m_d->fonts.at(size_t(index)); }
    std::vector<ReportItem> &appendPage();
    std::vector<ReportItem> &lastPage() { return m_d->pages.back(); }

private:
    struct Data
    {
        QString name;
        ReportPage page;
        std::vector<QFont> fonts;
        QHash<QString, int> fontIndex;
        std::vector<std::vector<ReportItem>> pages;
    };
    std::shared_ptr<Data> m_d = std::make_shared<Data>();
};
