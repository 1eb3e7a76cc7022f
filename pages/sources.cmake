quillet_program(pages/ErrorPage.cpp)
