# The Windows build's share of the tests (read by tests/CMakeLists.txt).
if(NOT WIN32)
    return()
endif()

# Files that test the POSIX side alone: FIFOs, devices, symbolic links, file
# modes and size limits, /proc, shell pipelines, and Debian's own tools
# (lupdate, pdftotext) that a program under Wine cannot start.
set(ZEMTAR_POSIX_ONLY_TESTS
    platform/safe_file_test.cpp
    platform/catalogues_test.cpp
    platform/single_instance_test.cpp
    platform/help_test.cpp
    platform/text_store_test.cpp
    ui/soak_test.cpp
    print/letterhead_test.cpp
    book/csv_test.cpp
    book/client_book_test.cpp
    app/cli_test.cpp
    # A stand-in for xdg-email, a shell script, first on PATH.
    book/send_to_client_test.cpp
    # These hold a file size limit (setrlimit), which Windows does not have.
    book/book_backup_test.cpp
    ui/letterhead_dialog_test.cpp
    ui/texts_window_test.cpp)
