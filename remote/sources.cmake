quillet_program(remote/LoadingPage.cpp)
