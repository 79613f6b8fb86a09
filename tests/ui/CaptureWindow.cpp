#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/toplevel.h>

#include "tests/ui/UiTestUtil.h"

wxImage CaptureWindow(wxTopLevelWindow& wnd)
{
    // The toolkit lays out and paints on its frame clock, which leaves no state to wait on.
    Settle(250);
    GtkWidget* pWidget = static_cast<GtkWidget*>(wnd.GetHandle());
    // A window can go on being laid out frame after frame for a while after it shows or scrolls
    // (the report list's does), and gtk_widget_draw draws nothing while a layout is pending: lay
    // out what is pending now, as the next frame would.
    gtk_container_check_resize(GTK_CONTAINER(pWidget));
    const int nWidth = gtk_widget_get_allocated_width(pWidget);
    const int nHeight = gtk_widget_get_allocated_height(pWidget);
    cairo_surface_t* pSurface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, nWidth, nHeight);
    cairo_t* cr = cairo_create(pSurface);
    gtk_widget_draw(pWidget, cr);
    cairo_destroy(cr);
    cairo_surface_flush(pSurface);

    wxImage image(nWidth, nHeight);
    const unsigned char* pData = cairo_image_surface_get_data(pSurface);
    const int nStride = cairo_image_surface_get_stride(pSurface);
    for (int y = 0; y < nHeight; ++y) {
        const auto* pRow = reinterpret_cast<const std::uint32_t*>(pData + y * nStride);
        for (int x = 0; x < nWidth; ++x)
            image.SetRGB(x, y, (pRow[x] >> 16) & 0xFF, (pRow[x] >> 8) & 0xFF, pRow[x] & 0xFF);
    }
    cairo_surface_destroy(pSurface);

    const wxPoint client = wnd.GetClientAreaOrigin();
    const wxSize size = wnd.GetClientSize();
    if (client == wxPoint(0, 0) && size == wxSize(nWidth, nHeight))
        return image;
    return image.GetSubImage(wxRect(client, size).Intersect(wxRect(0, 0, nWidth, nHeight)));
}

wxImage ScreenPixels(wxWindow& wnd)
{
    GdkWindow* pWindow = gtk_widget_get_window(static_cast<GtkWidget*>(wnd.GetHandle()));
    const wxSize size = wnd.GetClientSize();
    GdkPixbuf* pPixbuf = pWindow ? gdk_pixbuf_get_from_window(pWindow, 0, 0, size.x, size.y) : nullptr;
    if (pPixbuf == nullptr)
        return {};
    wxImage image(size.x, size.y);
    const guchar* pData = gdk_pixbuf_get_pixels(pPixbuf);
    const int nStride = gdk_pixbuf_get_rowstride(pPixbuf);
    const int nChannels = gdk_pixbuf_get_n_channels(pPixbuf);
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x) {
            const guchar* p = pData + y * nStride + x * nChannels;
            image.SetRGB(x, y, p[0], p[1], p[2]);
        }
    g_object_unref(pPixbuf);
    return image;
}

bool SettleShown(wxTopLevelWindow& wnd)
{
    return SettleUntil([&wnd] {
        GdkWindow* pWindow = gtk_widget_get_window(static_cast<GtkWidget*>(wnd.GetHandle()));
        return pWindow != nullptr && gdk_window_is_viewable(pWindow);
    });
}

std::vector<wxRect> WindowShape(wxTopLevelWindow& wnd)
{
    GdkWindow* pWindow = gtk_widget_get_window(static_cast<GtkWidget*>(wnd.GetHandle()));
    std::vector<wxRect> rects;
    if (pWindow == nullptr || !GDK_IS_X11_WINDOW(pWindow))
        return rects;
    Display* pDisplay = GDK_WINDOW_XDISPLAY(pWindow);
    int nCount = 0;
    int nOrdering = 0;
    XRectangle* pRects = XShapeGetRectangles(pDisplay, GDK_WINDOW_XID(pWindow), ShapeBounding, &nCount, &nOrdering);
    for (int i = 0; i < nCount; ++i)
        rects.emplace_back(pRects[i].x, pRects[i].y, pRects[i].width, pRects[i].height);
    if (pRects != nullptr)
        XFree(pRects);
    return rects;
}
