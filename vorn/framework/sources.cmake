vorn_subsystem(framework DEPENDS util SOURCES
)
