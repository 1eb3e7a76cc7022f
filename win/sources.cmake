quillet_windows(win/Controls.cpp win/Dialog.cpp win/GdiplusSession.cpp win/Image.cpp win/Text.cpp)
