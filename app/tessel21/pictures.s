# The two pictures: the splash window's backdrop (402 x 190) and the map
# under the main window's corner fields (200 x 200), both device-independent
# bitmaps of 16 bits a pixel (a BITMAPINFOHEADER and the rows, bottom up).
# The project item's value is the bitmap's byte count.
        .data
        .balign 4
        .globl SplashPictureItem, CanvasPictureItem
SplashPictureItem:
        .long 1, .Lsplash_end - .Lsplash
.Lsplash:
        .incbin "pictures/splash.bmp", 14
.Lsplash_end:
        .balign 4
CanvasPictureItem:
        .long 1, .Lmap_end - .Lmap
.Lmap:
        .incbin "pictures/map.bmp", 14
.Lmap_end:
