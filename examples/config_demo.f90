! A FORTRAN program calling the library the way FORTRAN programs do, through
! ISO_C_BINDING: lengths and counts by value as 32-bit integers, texts as
! character variables with their lengths passed beside them, records as
! BIND(C) derived types, and an sqlca the calls fill.
!
! It updates one database's log file size and new log path, reads both
! back, catalogues a database and lists the database directory with the
! versioned scan. Every call's SQLCODE is reported; the program stops with
! code 1 if any call failed.
!
! The entry points are __stdcall on 32-bit Windows; there each interface
! below also needs !GCC$ ATTRIBUTES STDCALL. This program is built on
! x86_64 Linux, which has a single calling convention.
module vrxagapi
    use, intrinsic :: iso_c_binding
    implicit none

    ! The caller's SQL communication area, 136 bytes.
    type, bind(c) :: sqlca
        character(kind=c_char) :: sqlcaid(8)
        integer(c_int32_t) :: sqlcabc
        integer(c_int32_t) :: sqlcode
        integer(c_int16_t) :: sqlerrml
        character(kind=c_char) :: sqlerrmc(70)
        character(kind=c_char) :: sqlerrp(8)
        integer(c_int32_t) :: sqlerrd(6)
        character(kind=c_char) :: sqlwarn(11)
        character(kind=c_char) :: sqlstate(5)
    end type

    ! One configuration item: a token and the address of its value (a
    ! text field or a 32-bit number).
    type, bind(c) :: config_item
        integer(c_int16_t) :: token
        integer(c_int16_t) :: reserved
        type(c_ptr) :: value
    end type

    ! The versioned directory scan: open, next entry, close.
    type, bind(c) :: dir_open_scan
        integer(c_int32_t) :: path_len
        type(c_ptr) :: path
        integer(c_int16_t) :: handle
        integer(c_int16_t) :: num_entries
    end type
    type, bind(c) :: dir_next_entry
        integer(c_int16_t) :: handle
        integer(c_int16_t) :: reserved
        type(c_ptr) :: entry
    end type
    type, bind(c) :: dir_close_scan
        integer(c_int16_t) :: handle
    end type

    ! A directory entry as the scan hands it out: fixed-width,
    ! blank-padded texts without terminator, read in place.
    type, bind(c) :: dir_entry
        character(kind=c_char) :: alias(8)
        character(kind=c_char) :: db_name(8)
        character(kind=c_char) :: node_name(8)
        character(kind=c_char) :: comment(30)
        integer(c_int8_t) :: type
        integer(c_int8_t) :: reserved
        integer(c_int16_t) :: authentication
        character(kind=c_char) :: path(216)
        character(kind=c_char) :: principal(256)
    end type

    interface
        integer(c_int32_t) function sqlgudb(alias_len, count, value_lens, items, ca, alias) bind(c, name='sqlgudb')
            import
            integer(c_int32_t), value :: alias_len, count
            integer(c_int16_t) :: value_lens(*)
            type(config_item) :: items(*)
            type(sqlca) :: ca
            character(kind=c_char) :: alias(*)
        end function

        integer(c_int32_t) function sqlgxdb(alias_len, count, items, ca, alias) bind(c, name='sqlgxdb')
            import
            integer(c_int32_t), value :: alias_len, count
            type(config_item) :: items(*)
            type(sqlca) :: ca
            character(kind=c_char) :: alias(*)
        end function

        ! Texts that may be left out are passed as addresses (c_null_ptr).
        integer(c_int32_t) function sqlgcadb(principal_len, comment_len, path_len, node_len, alias_len, name_len, &
                                             ca, principal, authentication, comment, path, node, type, alias, &
                                             name) bind(c, name='sqlgcadb')
            import
            integer(c_int32_t), value :: principal_len, comment_len, path_len, node_len, alias_len, name_len
            type(sqlca) :: ca
            type(c_ptr), value :: principal, comment, path, node, alias, name
            integer(c_int32_t), value :: authentication, type
        end function

        integer(c_int32_t) function open_scan(version, scan, ca) bind(c, name='vrxgDbDirOpenScan')
            import
            integer(c_int32_t), value :: version
            type(dir_open_scan) :: scan
            type(sqlca) :: ca
        end function

        integer(c_int32_t) function next_entry(version, scan, ca) bind(c, name='vrxgDbDirGetNextEntry')
            import
            integer(c_int32_t), value :: version
            type(dir_next_entry) :: scan
            type(sqlca) :: ca
        end function

        integer(c_int32_t) function close_scan(version, scan, ca) bind(c, name='vrxgDbDirCloseScan')
            import
            integer(c_int32_t), value :: version
            type(dir_close_scan) :: scan
            type(sqlca) :: ca
        end function
    end interface

contains

    ! The characters of a fixed-width field, as one string.
    function text_of(field) result(text)
        character(kind=c_char), intent(in) :: field(:)
        character(len=size(field)) :: text
        integer :: i
        do i = 1, size(field)
            text(i:i) = field(i)
        end do
    end function

end module

program config_demo
    use vrxagapi
    implicit none

    integer(c_int32_t), parameter :: api_version = 9050000
    integer(c_int16_t), parameter :: token_logfilsiz = 4, token_newlogpath = 103
    integer(c_int32_t), parameter :: db_indirect = 73  ! 'I': a database of this instance

    type(sqlca) :: ca
    integer :: failed = 0

    ! The database, with room for the byte after its name that the
    ! library borrows during a call.
    character(len=9) :: alias = 'SAMPLE'
    type(config_item) :: items(2)
    integer(c_int16_t) :: value_lens(2)
    character(len=243), target :: new_log_path = '/srv/vrx/SAMPLE/fortran/'
    integer(c_int32_t), target :: new_log_file_size = 30000
    character(len=243), target :: log_path
    integer(c_int32_t), target :: log_file_size

    character(len=9), target :: cat_alias = 'SALES', cat_name = 'SALESDB'
    character(len=41), target :: cat_path = '/srv/vrx'
    character(len=31), target :: cat_comment = 'Quarterly sales figures'

    type(dir_open_scan) :: open_rec
    type(dir_next_entry) :: next_rec
    type(dir_close_scan) :: close_rec
    type(dir_entry), pointer :: entry
    integer :: i

    print '(a)', 'Database configuration of ' // trim(alias)
    items(1) = config_item(token_newlogpath, 0_c_int16_t, c_loc(new_log_path))
    value_lens(1) = int(len_trim(new_log_path), c_int16_t)
    items(2) = config_item(token_logfilsiz, 0_c_int16_t, c_loc(new_log_file_size))
    value_lens(2) = 0
    call report('sqlgudb', 'update', sqlgudb(len_trim(alias), 2, value_lens, items, ca, alias))
    print '(a,a,a)', '  token 103 new log path  := "', trim(new_log_path), '"'
    print '(a,i0)', '  token   4 log file size := ', new_log_file_size

    ! The text field is filled with '#' first, so the blanks after the
    ! text are the call's.
    log_path = repeat('#', len(log_path))
    log_file_size = 0
    items(1)%value = c_loc(log_path)
    items(2)%value = c_loc(log_file_size)
    call report('sqlgxdb', 'read back', sqlgxdb(len_trim(alias), 2, items, ca, alias))
    print '(a,a,a,i0,a)', '  token 103 new log path   = "', trim(log_path), '" + ', &
        len(log_path) - len_trim(log_path), ' blanks'
    print '(a,i0)', '  token   4 log file size  = ', log_file_size

    print '(a)', 'Database directory'
    call report('sqlgcadb', 'catalogue ' // trim(cat_name) // ' as ' // trim(cat_alias), &
        sqlgcadb(0, len_trim(cat_comment), len_trim(cat_path), 0, len_trim(cat_alias), len_trim(cat_name), ca, &
                 c_null_ptr, 0, c_loc(cat_comment), c_loc(cat_path), c_null_ptr, db_indirect, c_loc(cat_alias), &
                 c_loc(cat_name)))

    open_rec = dir_open_scan(0, c_null_ptr, 0_c_int16_t, 0_c_int16_t)
    call report('vrxgDbDirOpenScan', 'open scan', open_scan(api_version, open_rec, ca))
    print '(a,i0,a)', '  ', open_rec%num_entries, ' entries'
    next_rec%handle = open_rec%handle
    do i = 1, open_rec%num_entries
        next_rec%entry = c_null_ptr
        call report('vrxgDbDirGetNextEntry', 'next entry', next_entry(api_version, next_rec, ca))
        if (ca%sqlcode /= 0) exit
        call c_f_pointer(next_rec%entry, entry)
        print '(7a)', '  alias ', text_of(entry%alias), ' name ', text_of(entry%db_name), &
            ' comment "', trim(text_of(entry%comment)), '"'
    end do
    close_rec%handle = open_rec%handle
    call report('vrxgDbDirCloseScan', 'close scan', close_scan(api_version, close_rec, ca))

    if (failed /= 0) stop 1

contains

    ! One line per call: the entry point, what it did, its SQLCODE.
    subroutine report(name, action, result)
        character(len=*), intent(in) :: name, action
        integer(c_int32_t), intent(in) :: result
        print '(4a,i0,a,i0)', name, ' ', action, ': result ', result, ', SQLCODE ', ca%sqlcode
        if (result /= 0 .or. ca%sqlcode < 0) failed = failed + 1
    end subroutine

end program
