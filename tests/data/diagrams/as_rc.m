% RC low-pass on a unit step: RC v' = 1 - v with RC = 1e3 * 1e-3 = 1 s; CR LF, LF and a lone CR end its lines
sys = 'rc';
new_system(sys)
add_block('built-in/Step',[sys '/src'],'Time','0','After','1','Position',[20 20 50 50]);
add_block('built-in/Sum',[sys '/err'],'Inputs','+-', ... the signs
    'Position',[80 -20 100 40])add_block('built-in/Gain',[sys '/k'],'Gain','1/(1e3*1e-3)')
add_block('built-in/Integrator',[sys '/v'],'InitialCondition','0')
add_block('built-in/Scope',[sys '/scope'])
set_param([sys '/k'],'Position','[120 20 150 50]')
add_line(sys,'src/1','err/1'), add_line(sys,'err/1','k/1')
add_line(sys,'k/1','v/1'); add_line(sys,'v/1','err/2')
add_line(sys,'v/1','scope/1')
set_param(sys,'StopTime','5')
open_system(sys)
