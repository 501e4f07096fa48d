#pragma once
// The About box, opened by a double click on the clock: the icon, the name, the
// version and the notice, with "Website" and "OK" buttons.
#include "dialogs/custom_controls.h"
#include "draw/gimage_ex.h"
#include "draw/rounded_corner_window.h"

// The product page; a reserved example domain until the product has a page of its own.
inline constexpr wchar_t PRODUCT_WEB_PAGE[] = L"https://ombrel.example.com/";

class CAboutDlg : public RoundedCornerWindow {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    GButtonEx websiteButton;
    GButtonEx okButton;

    // Paints the background and the texts into `graphics`, an image of the client size.
    void paintContent(draw::Graphics& graphics, GImageEx& image, int width, int height) const;

protected:
    BOOL onInitDialog() override;
    void doDataExchange() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT onPaint(WPARAM, LPARAM);
    LRESULT onWebsite(WPARAM, LPARAM);
    void growToHoldTheButtons();
};
