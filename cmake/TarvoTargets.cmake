# Targets that must build without Qt: no moc, uic or rcc passes even when Qt is in the build.
function(tarvo_qt_free target)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
