#pragma once

#include "ScreenBase.h"

#include <QMap>
#include <QString>

namespace Ui
{
class ViewData;
}
class DataTransfer;
class ViewDataAssetDetails;

// Every stored result as a row of asset, date and status, rebuilt from the files each
// time it is shown. The encoder moves the highlight, Sort (F4) steps through date and
// asset orders, View (F2, select) opens the highlighted result's details and Transfer
// (F3) hands that result alone to a transfer screen.
class ViewData : public ScreenBase
{
    Q_OBJECT
public:
    // Sort orders, in the order Sort steps through them.
    enum SortState {
        DATE_ASCENDING = 0,
        DATE_DESCENDING = 1,
        ASSET_ASCENDING = 2,
        ASSET_DESCENDING = 3
    };

    ViewData(QWidget *previousScreen, QWidget *parent);
    ~ViewData() override;

    void updateResultsList();
    void setSort();
    int sortState() const { return m_sortState; }
    // The highlighted row's file name, once that result is open with its tests in the
    // result store; empty when there is no row or the file could not be opened.
    QString openAsset();
    int dataTableSize() const;
    int rememberedRow() const { return m_row; }
    void nextItem();
    void previousItem();

    ViewDataAssetDetails *assetDetailsScreen() const { return m_assetDetails; }
    DataTransfer *transferScreen() const { return m_transfer; }

public slots:
    void showScreen(bool) override;
    void viewButtonClicked();
    void transferButtonClicked();
    void sortButtonClicked();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitColumns();
    void selectRememberedRow();
    // openAsset; when there are rows but the highlighted result cannot be opened, tells
    // the operator and lists the stored results anew.
    QString openHighlighted();

    Ui::ViewData *ui;
    QMap<QString, QString> m_results;
    int m_row = 0;
    int m_sortState = DATE_ASCENDING;
    ViewDataAssetDetails *m_assetDetails = nullptr;
    DataTransfer *m_transfer = nullptr;
};
