// Every thread of the ISO 261 plan with the limits of one nut class and one bolt
// class, as the thread tolerance table shows it: a line per thread (its name in the
// row header, first-choice threads in bold), a column per limit, the nut's first.
// A limit of a class the standard does not define at a thread is a dash, with the
// reason in its hint.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

#include "ThreadClass.h"
#include "ThreadLimitTexts.h"

class ThreadToleranceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ThreadToleranceTableModel(QObject* parent = nullptr);

    // Computes every line for these classes.
    void setClasses(const iso965::ThreadClass& nut, const iso965::ThreadClass& bolt);
    QString nutClass() const { return m_nutClass; }
    QString boltClass() const { return m_boltClass; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static QString cornerText();

private:
    struct Line {
        QString thread;
        bool firstChoice = false;
        std::array<QString, thread_texts::LimitCount> cells;
        QString nutReason;  // why the nut's cells are dashes
        QString boltReason;
    };
    std::vector<Line> m_lines;
    QString m_nutClass;
    QString m_boltClass;
};
