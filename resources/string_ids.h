// Ids of the string table. Shared by the resource scripts (windres only understands
// #define) and by the C++ code of both programs.
#pragma once

#define IDS_CAPTION 1
#define IDS_INF_FILTER 2

#define IDS_AUTORUN_INF 700
#define IDS_ORBILAN 701
#define IDS_HEADLINE 702
#define IDS_TEXT 703
#define IDS_EXEC 704

#define IDS_AUTORUN 750
#define IDS_OPEN 751
#define IDS_ICON 752
#define IDS_SHELL_PREFIX 753
#define IDS_COMMAND_SUFFIX 754

#define IDS_ERROR_CAPTION 800
#define IDS_OUTSIDE_ROOT_QUESTION 801
#define IDS_COPY_FAILED 802
#define IDS_FILE_MISSING 803
#define IDS_ICON_MISSING 804
#define IDS_DELETE_ENTRY_CAPTION 805
#define IDS_DELETE_ENTRY_QUESTION 806
#define IDS_SAVE_FAILED 807

#define IDS_ICON_FILTER 851
#define IDS_PROGRAM_FILTER 852
#define IDS_STARTER_FILE 853
#define IDS_DEFAULT_HEADLINE 854
#define IDS_DEFAULT_TEXT 855
#define IDS_DEFAULT_EXEC 856
#define IDS_POPUP_NAME_BASE 857

#define IDS_LAUNCH_FAILED 870
#define IDS_LAUNCH_NO_MEMORY 871
#define IDS_LAUNCH_BAD_FORMAT 872
#define IDS_LAUNCH_FILE_NOT_FOUND 873
#define IDS_LAUNCH_PATH_NOT_FOUND 874

#define IDS_HELP_UNAVAILABLE 875

#define IDS_COPY_CAPTION 876
#define IDS_COPY_LABEL 877
#define IDS_COPY_BYTES 878
#define IDS_COPY_CANCEL 879
#define IDS_LABEL 880
#define IDS_ABOUT_VERSION 881

#define IDS_UTF8_SAVED_AS_ANSI 890
#define IDS_UTF8_SAVED_AS_UTF16 891

#define IDS_QUOTES_STRIPPED 900

// The check of the CD.
#define IDS_CHECK_ERROR 910
#define IDS_CHECK_WARNING 911
#define IDS_CHECK_NONE 912
#define IDS_CHECK_INCOMPLETE 913

// The CD's image: the save dialog, the progress window, what stops it, how it ended and what
// it fits.
#define IDS_IMAGE_FILTER 930
#define IDS_IMAGE_CAPTION 931
#define IDS_IMAGE_LABEL 932
#define IDS_IMAGE_UNSAVED 933
#define IDS_IMAGE_REFUSED 934
#define IDS_IMAGE_MORE 935
#define IDS_IMAGE_CHECK_ERRORS 936
#define IDS_IMAGE_CONTINUE 937
#define IDS_IMAGE_UNREADABLE 938
#define IDS_IMAGE_CANNOT_CREATE 939
#define IDS_IMAGE_CANNOT_WRITE 940
#define IDS_IMAGE_CANNOT_READ 941
#define IDS_IMAGE_CHANGED 942
#define IDS_IMAGE_WRITTEN 943
// Which medium the image fits, from the smallest to none of them, in the order of the table
// of media the writer keeps.
#define IDS_IMAGE_FITS_CD650 944
#define IDS_IMAGE_FITS_CD700 945
#define IDS_IMAGE_FITS_DVD47 946
#define IDS_IMAGE_FITS_DVD85 947
#define IDS_IMAGE_FITS_BD25 948
#define IDS_IMAGE_FITS_NONE 949

// The dialog of AutoPlay's keys.
#define IDS_AUTOPLAY_CAPTION 950
#define IDS_AUTOPLAY_PROGRAM 951
#define IDS_CONTENT_UNSET 952
#define IDS_CONTENT_FORCE 953
#define IDS_CONTENT_HIDE 954
#define IDS_DOCUMENT_FILTER 955
// The question when a change misses a processor section.
#define IDS_CHANGES_ONLY_FOR 956
#define IDS_WINDOWS_READS 957
#define IDS_CARRY_QUESTION 958
#define IDS_WINDOWS_X64 959
#define IDS_WINDOWS_X86 960
#define IDS_WINDOWS_FOR 961
// A file of processor sections only.
#define IDS_PROCESSOR_SECTION_ONLY 962
// The dialog of the platforms.
#define IDS_PLATFORM_X64 963
#define IDS_PLATFORM_X86 964
#define IDS_PLATFORM_ANY 965
#define IDS_PLATFORM_EDITED 966
#define IDS_REMOVE_SECTION 967
#define IDS_THEN_READ_AUTORUN 968
#define IDS_THEN_READ_NOTHING 969

// Every id above lies below this one: the editor keeps the texts it loaded in an array of this
// size (editor/string_table_text.cpp), and the table's build holds every id to it.
#define IDS_LIMIT 1024
